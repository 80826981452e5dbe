// OwlMain: the program's own main function, which the platform's entry calls.
#pragma once

// Runs the program and returns its exit code: -1 when it could not start, or when an
// exception of the framework's family ended it after its message.
int OwlMain(int argc, char** argv);
