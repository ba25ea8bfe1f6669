#include "norvane_main.h"

int main(int argc, char* argv[]) {
  return norvane::norvane_main(argc, argv);
}
