#include "app/BrowserApp.h"

int main(int argc, char** argv) { return BrisolaMain(argc, argv); }
