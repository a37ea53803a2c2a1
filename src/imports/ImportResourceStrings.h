#pragma once

// Texts of the imports into a salary document (UTF-8, QString::fromUtf8).

inline constexpr char _SAL_WRONG_FILE_FORMAT[] = "Pogrešan format datoteke!";
inline constexpr char _SAL_EMPLOYEES_NOT_ADDED[] = "Sledeći zaposleni (kod-ime) nisu dodati:\n\r%1Morate ih ručno dodati.";
inline constexpr char _SAL_IMPORT_NOT_EMPTY[] =
    "Uvoz se radi samo u zaradu bez stavki, sačuvanu i neproknjiženu.";
