#pragma once

// How long a user pauses before starting the program or giving the next command: time enough for
// what the program readies while idle. The start-up benchmark times the start-up after one as much as
// each command, so that both meet the machine as it is after a pause: on a virtual machine, memory
// left untouched for a fraction of a second can cost many times more to touch again.
constexpr int UserPauseMs = 1000;
