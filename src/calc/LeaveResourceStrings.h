#pragma once

// Texts of the leave and sick-pay calculation, in Serbian (Latin script), as UTF-8.

inline constexpr char _SALARY_SICK_START_CONF[] = "Da li je ovo početak bolovanja do 30 dana?";
