#pragma once

// Texts of the payroll module, in Serbian (Latin script), as UTF-8.
// Convert with QString::fromUtf8(...); %1 marks an argument for QString::arg.

inline constexpr char _SAL_NAME[] = "Zarade";
inline constexpr char _SAL_DESCR[] = "Upravljanje zaradama";
