#include "screens/TProgram.h"

int main() {
    TProgram program;
    return program.Main();
}
