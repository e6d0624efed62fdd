#include "shell/application.h"

int main(int argc, char** argv) { return spinfolio::RunSpinfolio(argc, argv); }
