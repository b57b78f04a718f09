#include "app/run_program.h"

int main(int argc, char* argv[]) {
  return zentrova::RunProgram(argc, argv);
}
