#pragma once

// Fixed texts the application shows, in Serbian (Latin script), as UTF-8.
// They are constant expressions, so any code, including other constants'
// initialisers, can use them without static initialisation order concerns.
// Convert with QString::fromUtf8(...); texts with a %1 take one argument
// through QString::arg, e.g.
//   QString::fromUtf8(_CMN_FIELD_REQUIRED_ERR).arg(field.label)

inline constexpr char _YES_CAP[] = "Da";
inline constexpr char _NO_CAP[] = "Ne";

inline constexpr char _SALARY_REGULAR_CAPTION[] = "Zarada";
inline constexpr char _SALARY_SICK_CAPTION[] = "Bolovanje";
inline constexpr char _SALARY_TRANSPORT_CAPTION[] = "Prevoz";

inline constexpr char _DOC_REG_STATUS_CAPTION[] = "Proknjižen";
inline constexpr char _DOC_NOT_REG_STATUS_CAPTION[] = "Neproknjižen";

// %1: the field's label
inline constexpr char _CMN_FIELD_REQUIRED_ERR[] = "Polje \"%1\" mora biti popunjeno.";
// %1: the field's label
inline constexpr char _CMN_FIELD_INVALIDE_ERR[] = "Polje \"%1\" ima neispravnu vrednost.";
inline constexpr char _CMN_SAVE_CHANGES_PROMT[] = "Da li želite da sačuvate izmene?";
// %1: the module's name
inline constexpr char _CMN_NO_MODULE[] = "Modul \"%1\" nije učitan.";

inline constexpr char _CMN_MOD_SECURITY_NAME[] = "Sigurnost";
inline constexpr char _CMN_MOD_HR_RES_NAME[] = "Kadrovi";
inline constexpr char _CMN_PRINT_WIZ_NAME[] = "Čarobnjak za štampu";
inline constexpr char _CMN_CAPTION_CLOSE[] = "Zatvori";
