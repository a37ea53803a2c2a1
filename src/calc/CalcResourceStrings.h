#pragma once

// Texts of the calculation, in Serbian (Latin script), as UTF-8.

inline constexpr char _NO_TAX_ITEMS_ERR[] = "Morate prvo definisati stope poreza i doprinosa!";
inline constexpr char _SALARY_ITEM_HOURS_ERR[] =
    "Zbir sati je veći od dozvoljenog!\nObračun neće biti sproveden za zaposlenog: %1.";
inline constexpr char _SAL_HOURS_WRN[] = "Morate najpre definisati broj radnih sati.";
