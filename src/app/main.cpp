#include "VMIZApp.h"
#include "VMIZFiles.h"

int main(int argc, char **argv)
{
    // Module initialisation: the error messages are read once, before the
    // application object exists.
    VMIZFiles::LoadMizarMessages();
    return RunApp([&argc, argv] { return std::make_unique<TVMIZApp>(argc, argv); });
}
