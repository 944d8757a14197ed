#pragma once

#include "quiz/quizports.h"

// Today's date as the system's locale writes it in short form.
class SystemDateSource final : public DateSource {
public:
    QString shortDate() const override;
};
