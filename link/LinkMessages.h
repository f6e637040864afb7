#pragma once

#include <string>

namespace merix::linktext {

// Lines shown in the Controller Output list.
inline constexpr const char* kAlreadyConnected = "Already Connected";
inline constexpr const char* kPrompt = "DTMF>";
inline constexpr const char* kUnableToConnect = "Unable to Connect";
inline constexpr const char* kNoPhoneNumber = "No Phone Number has been Entered.  Unable to Connect";
inline constexpr const char* kDialing = "Dialing";
inline constexpr const char* kConnected = "Connected";
inline constexpr const char* kGetPrompt = "Get DTMF prompt";
inline constexpr const char* kNoPrompt = "Disconnected...  Unable to receive DTMF> prompt";
inline constexpr const char* kDisconnecting = "Disconnecting";
inline constexpr const char* kDisconnected = "Disconnected";
inline constexpr const char* kFinished = "Finished Upload";
inline constexpr const char* kCannotOpenFile = "Unable to Open File (Check Path and Filename)";
inline constexpr const char* kReferenceNotUpdated =
    "Reference copy not updated: the upload did not finish; the next upload of changes sends "
    "them again.";

inline std::string stoppedAt(int sent, int total) {
    return "Upload stopped after line " + std::to_string(sent) + " of " + std::to_string(total) +
           ".";
}
inline std::string failedAt(int line, int total) {
    return "Upload failed at line " + std::to_string(line) + " of " + std::to_string(total) + ".";
}
// Where in its file the failed line stands, as a text editor counts lines.
inline std::string stoppedInFile(int line, const std::string& file) {
    return "The upload stopped at line " + std::to_string(line) + " of " + file + ".";
}

// Message boxes.
inline constexpr const char* kBufferStructure = "Unable to open COM Port buffer structure.";
inline constexpr const char* kCannotSetState =
    "Unable to set communications device to the specified state.";
inline constexpr const char* kDialError = "Error in dialing number.";
inline constexpr const char* kModemTimeout =
    "Timed out waiting for response.  Make sure all of the modem settings are correct.";
inline constexpr const char* kCommError = "Error in communicating with the controller.";
inline constexpr const char* kConnectReadError = "Error in connecting with the controller.";
inline constexpr const char* kPromptTimeout =
    "Timed out waiting for response.  Make sure all of the upload settings are correct.";
inline constexpr const char* kSendError = "Error occured while sending a command.";
inline constexpr const char* kWriteError =
    "Unable to write to the COM Port. Make sure the baud rate is set to the same level as the "
    "controller.  (9600 is the default setting)";
inline constexpr const char* kReceiveError = "Error occured in receiving data from the controller.";
inline constexpr const char* kResponseTimeout =
    "Timed out waiting for response.  Make sure the baud rate is set to the same level as the "
    "controller.  (9600 is the default setting)";
inline constexpr const char* kNoResponse =
    "Unable to send and receive the command from the controller.  Make sure the settings are "
    "correct and try again.";
inline constexpr const char* kTooManyLines = "Error in the command file.";

} // namespace merix::linktext
