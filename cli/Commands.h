#pragma once

namespace merix::cli {

// Each command gets the whole argv; its own words start at argv[2].
int runNew(int argc, char** argv);
int runResave(int argc, char** argv);
int runGenerate(int argc, char** argv);
int runSend(int argc, char** argv);
int runUpload(int argc, char** argv);
int runHistory(int argc, char** argv);
int runDiff(int argc, char** argv);
int runReport(int argc, char** argv);

} // namespace merix::cli
