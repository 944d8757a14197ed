#pragma once

// The practice model's and the chooser's numbers in one place. docs/practice.md gives the
// simulations they were tuned by.
namespace PracticeParameters {

// What nothing is known about yet: as likely known as not.
inline constexpr double StartingStrength = 0.5;
// The share of the way to 1 that a right answer at the first try covers, and the share of
// strength that an explained mistake takes away.
inline constexpr double LearningRate = 0.3;
// A skill at or above this strength is mastered and no longer asked for.
inline constexpr double MasteredStrength = 0.9;
// Across days strength fades towards StartingStrength, by half of its distance in this many
// days at first; twice as slowly each time a skill that faded is mastered again.
inline constexpr double FirstHalfLifeDays = 1.0;

// The share of questions drawn as without practice, so that practice stays mixed.
inline constexpr double PlainDrawShare = 0.2;
// The questions drawn to choose the weakest from.
inline constexpr int Candidates = 30;
// So many questions asked last are not asked again.
inline constexpr int RecentQuestions = 5;

} // namespace PracticeParameters
