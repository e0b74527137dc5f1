#include "startup/Startup.h"

int main(int argc, char** argv)
{
    return clavora::RunApplication(argc, argv);
}
