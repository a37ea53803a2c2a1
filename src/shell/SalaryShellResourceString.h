#pragma once

// Texts of the payroll module's list, search panel and options page, in
// Serbian (Latin script), as UTF-8. Convert with QString::fromUtf8(...).

// Search keys of the navigator.
inline constexpr char _SAL_TYPE[] = "Tip";
inline constexpr char _SAL_YEAR[] = "Godina";
inline constexpr char _SAL_MONTH[] = "Mesec";
inline constexpr char _SAL_DATEFROM[] = "Od datuma isplate";
inline constexpr char _SAL_DATETO[] = "Do datuma isplate";
inline constexpr char _SAL_STATUS[] = "Status";
inline constexpr char _SAL_EMPLOYEE_FNAME[] = "Ime zaposl.";
inline constexpr char _SAL_EMPLOYEE_LNAME[] = "Prezime zaposl.";

// Commands of the list that this version shows but cannot run yet.
inline constexpr char _SAL_NOT_AVAILABLE_YET[] = "Još nije dostupno u ovoj verziji programa.";
inline constexpr char _SAL_EDITOR_NOT_AVAILABLE_YET[] =
    "Uređivanje obračuna zarade još nije dostupno u ovoj verziji programa.";
inline constexpr char _SAL_NEW_NOT_SAVED[] = "Novi obračun nije sačuvan.";
