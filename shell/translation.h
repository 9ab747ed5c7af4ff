#pragma once

#include <QtGlobal>
#include <initializer_list>
#include <string>

namespace kestrune {

// The shell's logic builds some messages away from any widget. Their texts are marked with
// QT_TRANSLATE_NOOP("Kestrune", ...), so a translator's tools find them, and shown through
// Translated(), which looks them up under that context: the text as written until a
// translation is installed. "%1", "%2"... are replaced by `args` in order.
std::string Translated(const char* text, std::initializer_list<std::string> args = {});

}  // namespace kestrune
