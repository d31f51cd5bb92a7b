#pragma once
// The core's Translate hook for a Qt program: the catalogues the application
// has installed (QCoreApplication::translate).

#include "model/Text.h"

#include <QCoreApplication>
#include <QString>

namespace radio {

inline const Translate& qtTranslate() {
    static const Translate hook = [](const char* context, const char* english) {
        return QCoreApplication::translate(context, english).toStdString();
    };
    return hook;
}

} // namespace radio
