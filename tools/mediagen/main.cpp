// Placeholder entry; replaced by the generator's real command line.
#include "family.h"
int main() { return 0; }
