#include "platform/LanguageStore.h"

#include <QSettings>

#include "text/Language.h"

namespace vornel::LanguageStore {

namespace {
constexpr auto Key = "VORNEL/WHICH_LANGUAGE";
QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Kelbar", "Kelbar");
}
}  // namespace

bool load()
{
    const QString text = store().value(Key, "FALSE").toString();
    return parseBoolean(text.toStdString()).value_or(false);
}

void save(bool useGreek)
{
    QSettings s = store();
    s.setValue(Key, QString::fromLatin1(booleanText(useGreek)));
    s.sync();
}

}  // namespace vornel::LanguageStore
