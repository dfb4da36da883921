#pragma once
// The dialogs' interface texts: each is looked up by its key in the resource string table
// attached to the skin data, and the built-in text is used when there is no table or the
// table has no such entry.

#include <QString>

namespace lq {

class LqSkinData;

QString DialogText(const LqSkinData* skin, const char* key, const QString& builtIn);

}  // namespace lq
