#include "HostApp.h"

#include <sys/stat.h>

int main(int argc, char* argv[]) {
    // Whatever this program creates (databases, exports, prints, settings)
    // holds personal data: readable by its owner only, from its first byte.
    umask(077);
    return RunHost(argc, argv);
}
