#pragma once

// Texts of the calculation, in Serbian (Latin script), as UTF-8.

inline constexpr char _NO_TAX_ITEMS_ERR[] = "Morate prvo definisati stope poreza i doprinosa!";
