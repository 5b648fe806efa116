// A DLL of no consequence, built beside the DLL search test, where a planted
// DLL would lie beside the program.
extern "C" __declspec(dllexport) int plkProbe() { return 7; }
