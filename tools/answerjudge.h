#pragma once

#include "catalogue/ioncatalogue.h"

#include <QTextStream>

// ionarch-check --judge: reads lines SHOWN<TAB>TYPED, where SHOWN is what the question box
// shows for a compound of the catalogue's answer key (its formula when the name is asked, its
// name when the formula is asked), and writes for each VERDICT<TAB>CATEGORY<TAB>EXPLANATION,
// VERDICT being "correct" or "wrong", or "error<TAB>unknown-question<TAB>..." for a SHOWN that
// no compound shows. False when there was such a line.
bool judgeAnswers(const IonCatalogue &catalogue, QTextStream &in, QTextStream &out);
