#pragma once

#include <string>
#include <string_view>

namespace merix {

// What a message is, as its stored texts say (compared without regard to case).
enum class MessageKind { Voice, PoliteVoice, Cw, Dvr };
// What a polite voice message does when a user keys up during it.
enum class InterruptAction { CancelMessage, CwId, Command };
// The entries a message text is composed of; Voice and Polite Voice share the words.
enum class Vocabulary { None, Words, Cw, Dvr };

// "Voice", "PoliteVoice", "CW"; anything else plays DVR tracks, as the generator treats it.
MessageKind messageKindOf(std::string_view messageType);
std::string_view messageTypeName(MessageKind kind);

// "NOCOMMAND", "CW_ID"; anything else executes the interrupt command.
InterruptAction interruptActionOf(std::string_view interruptAction);
std::string_view interruptActionName(InterruptAction action);

Vocabulary vocabularyOf(MessageKind kind);
// The vocabulary list's caption: "Wo&rd List", "CW &List", "DV&R List" (empty for none).
std::string_view vocabularyTitle(Vocabulary vocabulary);

// Which of the rows that depend on the type and the interrupt action are shown.
struct MessageRowsShown {
    bool interrupt = false;      // "If Interrupted Execute" and its buttons
    bool command = false;        // "Command to Execute if Interrupted:"
    bool dvrDescription = false; // "DVR Description:"

    friend bool operator==(const MessageRowsShown&, const MessageRowsShown&) = default;
};
MessageRowsShown rowsShownFor(MessageKind kind, InterruptAction action);

// A DVR track's line in the vocabulary list: its name, then " - " and the description
// when there is one.
std::string dvrListLine(std::string_view trackName, std::string_view description);

} // namespace merix
