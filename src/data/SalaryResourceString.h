#pragma once

// Texts of the payroll module, in Serbian (Latin script), as UTF-8.
// Convert with QString::fromUtf8(...); %1 marks an argument for QString::arg.

inline constexpr char _SAL_NAME[] = "Zarade";
inline constexpr char _SAL_DESCR[] = "Upravljanje zaradama";

inline constexpr char _SEX_M_CAP[] = "Muški";
inline constexpr char _SEX_F_CAP[] = "Ženski";

inline constexpr char _SAL_CANT_DEL_REG_WRN[] = "Ne možete izbrisati proknjiženu zaradu.";
inline constexpr char _SAL_REG_CONFIRM[] = "Da li ste sigurni da želite da proknjižite ovu zaradu?";
inline constexpr char _SAL_UNREG_CONFIRM[] = "Da li ste sigurni da želite da otknjižite ovu zaradu?";
inline constexpr char _SALARY_COPIED[] = "Nova zarada je kreirana.";
inline constexpr char _SAL_SEARCH_DATE_INVALID[] =
    "\"%1\" nije ispravan datum isplate. Upišite ga kao dd.mm.gggg. (npr. 06.12.2026.) ili ga izaberite dugmetom \"...\".";
inline constexpr char _SAL_POSTED_READ_ONLY[] = "Proknjižena zarada se ne može menjati.";
inline constexpr char _SAL_CHANGED_BY_OTHER[] =
    "Zaradu je u međuvremenu izmenio drugi korisnik; osvežite je i ponovite izmenu.";
inline constexpr char _SAL_DELETED_BY_OTHER[] = "Zaradu je u međuvremenu izbrisao drugi korisnik.";
inline constexpr char _SAL_NUMBER_TAKEN[] =
    "Zarada sa istim mesecom, godinom, tipom i brojem već postoji; izaberite drugi broj.";

// The income types of the PPP-PO rows, the pick list of its `incometype` column.
inline constexpr char _SALARY_PPPPO_RW_TYPE_CAP[] = "Prihodi iz radnog odnosa";
inline constexpr char _SALARY_PPPPO_NRW_TYPE_CAP[] = "Prihodi van radnog odnosa";
