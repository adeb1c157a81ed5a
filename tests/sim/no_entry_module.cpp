// A shared library that is not a vessel module: it exports nothing the host looks for.
extern "C" __attribute__((visibility("default"))) int notAnEntryPoint()
{
    return 42;
}
