#include "screens/MessageKinds.h"

#include "generator/Formatting.h"

namespace merix {

MessageKind messageKindOf(std::string_view messageType) {
    if (equalsIgnoringCase(messageType, "Voice"))
        return MessageKind::Voice;
    if (equalsIgnoringCase(messageType, "PoliteVoice"))
        return MessageKind::PoliteVoice;
    if (equalsIgnoringCase(messageType, "CW"))
        return MessageKind::Cw;
    return MessageKind::Dvr;
}

std::string_view messageTypeName(MessageKind kind) {
    switch (kind) {
    case MessageKind::Voice:
        return "Voice";
    case MessageKind::PoliteVoice:
        return "PoliteVoice";
    case MessageKind::Cw:
        return "CW";
    case MessageKind::Dvr:
        break;
    }
    return "DVR";
}

InterruptAction interruptActionOf(std::string_view interruptAction) {
    if (equalsIgnoringCase(interruptAction, "NOCOMMAND"))
        return InterruptAction::CancelMessage;
    if (equalsIgnoringCase(interruptAction, "CW_ID"))
        return InterruptAction::CwId;
    return InterruptAction::Command;
}

std::string_view interruptActionName(InterruptAction action) {
    switch (action) {
    case InterruptAction::CancelMessage:
        return "NOCOMMAND";
    case InterruptAction::CwId:
        return "CW_ID";
    case InterruptAction::Command:
        break;
    }
    return "COMMAND";
}

Vocabulary vocabularyOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Voice:
    case MessageKind::PoliteVoice:
        return Vocabulary::Words;
    case MessageKind::Cw:
        return Vocabulary::Cw;
    case MessageKind::Dvr:
        break;
    }
    return Vocabulary::Dvr;
}

std::string_view vocabularyTitle(Vocabulary vocabulary) {
    switch (vocabulary) {
    case Vocabulary::Words:
        return "Wo&rd List";
    case Vocabulary::Cw:
        return "CW &List";
    case Vocabulary::Dvr:
        return "DV&R List";
    case Vocabulary::None:
        break;
    }
    return {};
}

MessageRowsShown rowsShownFor(MessageKind kind, InterruptAction action) {
    MessageRowsShown shown;
    shown.interrupt = kind == MessageKind::PoliteVoice;
    shown.command = shown.interrupt && action == InterruptAction::Command;
    shown.dvrDescription = kind == MessageKind::Dvr;
    return shown;
}

std::string dvrListLine(std::string_view trackName, std::string_view description) {
    std::string line(trackName);
    if (!description.empty()) {
        line += " - ";
        line += description;
    }
    return line;
}

} // namespace merix
