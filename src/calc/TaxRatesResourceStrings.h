#pragma once

// Texts of the rate editor.
inline constexpr char _SAL_TAX_STANDARD_CAP[] = "Na teret zaposlenog";
inline constexpr char _SAL_TAX_ADDITIONAL_CAP[] = "Na teret poslodavca";
inline constexpr char _SAL_TAX_SET_USED_WRN[] =
    "Stope koje koristi obračun zarade ne mogu se menjati; napravite nove stope.";
inline constexpr char _SAL_TAX_RATES_CAPTION[] = "Stope poreza i doprinosa";
