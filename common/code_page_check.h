#pragma once

// Whether the programs can read and write their files in the ANSI code page. When they
// cannot, a message box says so, and the program must end before it writes anything: every
// file would otherwise be written empty.
bool ansiCodePageReady();
