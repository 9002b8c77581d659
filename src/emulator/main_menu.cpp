#include "emulator/main_menu.h"

void RunMainMenu() {}
