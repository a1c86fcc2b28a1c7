// vorlen-render: draws Vorlen's pictures without a display.
#include <iostream>

#include "cli/render.h"

int main(int argc, char* argv[])
{
    return RunRenderer(argc, argv, std::cout, std::cerr);
}
