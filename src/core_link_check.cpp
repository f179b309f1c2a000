// The program of each core library's link check (see fla_core_library): it
// links every object of the library with only the libraries it declares, so
// a call into an undeclared library fails the build.
int main() { return 0; }
