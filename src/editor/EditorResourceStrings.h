#pragma once

// Texts of the salary document editor and its panels, in Serbian (Latin
// script), as UTF-8. Convert with QString::fromUtf8(...).

inline constexpr char _SAL_DETAIL_CAPTION[] = "Detalji zarade";
inline constexpr char _SAL_RELOAD_CONFIRM[] =
    "Da li želite da učitate zaradu onakvu kakva je sada sačuvana? Izmene unete ovde se tada gube.";
inline constexpr char _SAL_SICK_DETAIL_CAPTION[] = "Detalji bolovanja";
inline constexpr char _SAL_TRANSPORT_DETAIL_CAPTION[] = "Detalji prevoza";
inline constexpr char _SAL_EMPLOYEE_CAPTION[] = "Zaposleni";
inline constexpr char _SAL_DIFFERENCE_CAPTION[] = "Razlika";
inline constexpr char _SAL_COEFFICIENT_CAPTION[] = "Koeficient";

inline constexpr char _SAL_DELETE_ALL_ITEMS_CONFIRM[] =
    "Da li ste sigurni da želite da izbrišete sve stavke obračuna?";
inline constexpr char _SAL_DELETE_ITEM_HINT[] = "Izbriši stavku zaposlenog (Ctrl+Del)";
// What the "..." button of a grid column opens.
inline constexpr char _SAL_ELLIPSIS_EMPLOYEE_HINT[] = "Stavka zaposlenog";
inline constexpr char _SAL_ELLIPSIS_COEFFICIENT_HINT[] = "Delovi koeficijenta";
inline constexpr char _SAL_ELLIPSIS_DIFFERENCE_HINT[] = "Razlike";
inline constexpr char _SAL_ELLIPSIS_CREDITS_HINT[] = "Obustave: izbor ili uklanjanje";
inline constexpr char _SAL_CHANGE_CREDITS_QUESTION[] = "Stavka već ima obustave. Šta želite da uradite?";
inline constexpr char _SAL_APPLY_TO_ALL[] = "Primeni na sve zaposlene";
inline constexpr char _SAL_ITEM_COUNT[] = "Stavki: %1";
// Menu entries whose work a later version brings.
inline constexpr char _SAL_EDITOR_LATER[] = "Još nije dostupno u ovoj verziji programa.";
