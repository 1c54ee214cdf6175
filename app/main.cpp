#include "CEntryApp.h"

int main(int argc, char** argv)
{
    CEntryApp app(argc, argv);
    return app.InitInstance();
}
