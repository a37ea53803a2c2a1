#pragma once

// The desktop application: chooses the database (asking on the first run),
// opens the main window and loads the payroll module. Returns the exit code.
int RunHost(int argc, char** argv);
