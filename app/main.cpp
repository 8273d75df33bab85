#include "app/application.h"

int main(int argc, char** argv) {
    return zelta::app::Run(argc, argv);
}
