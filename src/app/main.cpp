#include "app/ManagerProgram.h"

int main(int argc, char* argv[]) {
  return torvane::app::RunManager(argc, argv);
}
