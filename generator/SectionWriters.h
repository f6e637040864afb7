#pragma once

#include "generator/CommandText.h"
#include "generator/SectionChanges.h"

namespace merix {

class ConfigDocument;
class CaseFreeTable;
class AccessModeTable;

// Each writer writes its section's opening and closing markers, and between them the
// commands of the entries its change flags select, in the order of the document's lists.

void writeTimerSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed);
void writeMessageSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed,
                         const CaseFreeTable& words, const CaseFreeTable& cw);
void writeUserSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed,
                      const CaseFreeTable& words);
void writeInputOutputSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed);
void writeCommandSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed);
void writeMacroSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed);
void writeSchedulerSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed);
// The courtesy beeps by entry, the tone settings by line of the document's tone section.
void writeToneSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& beeps,
                      const SectionChanges& toneLines);
// By line of the document's misc setup section, 16 lines per port.
void writePortSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& lines,
                      const AccessModeTable& accessModes);

} // namespace merix
