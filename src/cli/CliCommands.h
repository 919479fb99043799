#pragma once
// pixoram-cli's four commands. Each returns the program's exit status.

#include "cli/CliRequest.h"

enum CliStatus { kCliSuccess = 0, kCliFileFailed = 1, kCliBadUsage = 2, kCliLinkFailed = 3 };

int runConvert(const CliRequest& request);
int runInfo(const CliRequest& request);
int runSnap(const CliRequest& request);
int runSend(const CliRequest& request);
