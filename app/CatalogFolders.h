#pragma once

#include <QString>
#include <QStringList>

namespace merix {

// The names of the catalog files the editor reads.
const QStringList& catalogFileNames();

// True when dir holds at least one of the catalog files.
bool holdsCatalogs(const QString& dir);

// The sample catalogs installed with the program: share/merix/catalogs beside the bin folder
// that holds it, in an installed tree as in the build tree.
QString installedSampleCatalogs(const QString& programFolder);

// Where the user's copy of the sample catalogs goes (~/.local/share/MERIX/catalogs).
QString userCatalogCopy();

// Copies every catalog file of from that to lacks; files already in to are the user's and stay
// as they are. Returns a message for the user, empty on success.
QString copyMissingCatalogs(const QString& from, const QString& to);

} // namespace merix
