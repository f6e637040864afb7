#pragma once

namespace merix {

class ConfigDocument;
class Prompter;

// Rebuilds every table from the catalogs in the startup directory, in the fixed order
// (userdflt.cfg first). A catalog that cannot be opened is reported through the prompter
// with its message and stops the load (userdflt.cfg excepted). Returns success.
bool loadCatalogs(ConfigDocument& doc, Prompter& prompter);

} // namespace merix
