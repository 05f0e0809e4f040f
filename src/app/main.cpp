#include "VMIZApp.h"

int main(int argc, char **argv)
{
    return RunApp([&argc, argv] { return std::make_unique<TVMIZApp>(argc, argv); });
}
