#pragma once

#include "platform/platform.h"

#include <QList>
#include <QString>

namespace solario::test {

// Stands in for the desktop: records every box and answers from a script.
class FakePlatform : public Platform {
public:
    struct Box {
        QString text;
        QString title;
        int flags;
    };

    int MessageBox(const QString& text, const QString& title, int flags) override {
        boxes.append({text, title, flags});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return (flags & 0x7) == box::kYesNo ? box::kYes : box::kOk;
    }

    QList<Box> boxes;
    QList<int> answers; // next answers, in order; then Yes / OK
};

} // namespace solario::test
