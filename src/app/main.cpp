#include "HostApp.h"

int main(int argc, char* argv[]) { return RunHost(argc, argv); }
