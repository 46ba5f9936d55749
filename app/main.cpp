#include "app/OXTAStaffing.h"

int main(int argc, char** argv) {
    return OXTAStaffingMain(argc, argv);
}
