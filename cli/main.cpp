#include "cli/plxcal.h"

int main(int argc, char** argv) {
    return plx::cli::RunPlxcal(argc, argv);
}
