// Tarvik's entry point. The main window is not part of this build yet: the program says so.
#include <iostream>

#include "app/app_state.h"

int main() {
  tarvik::AppState state;
  std::cout << "Tarvik: the shot-decoding core is built; the main window is not yet.\n";
  return 2;
}
