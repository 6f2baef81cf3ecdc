#include "app/ManagerProgram.h"
#include "app/demo/VirtualAdapterDemo.h"

int main(int argc, char* argv[]) {
  torvane::app::demo::VirtualAdapterDemo demo;
  return torvane::app::RunManager(argc, argv, &demo);
}
