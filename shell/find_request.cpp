#include "shell/find_request.h"

#include <QObject>
#include <sstream>

#include "shell/purchase_forms.h"

namespace kestrune {
namespace {

std::vector<std::string> WordsOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// A bound of the sum: nothing when the field is empty, else the cents typed, or why not.
Result<std::optional<Cents>> SumBound(const std::string& text, const QString& refusal) {
  if (text.find_first_not_of(" \t") == std::string::npos) return {};
  const TypedSum typed = ReadTypedSum(text, TypedGroupSeparator());
  if (!typed.cents || *typed.cents < 0) {
    return Failed<std::optional<Cents>>(
        Status::Error(refusal.arg(QString::fromStdString(text)).toStdString()));
  }
  return {typed.cents};
}

std::optional<std::string> IsoDay(const std::optional<QDate>& day) {
  if (!day) return std::nullopt;
  return day->toString(Qt::ISODate).toStdString();
}

}  // namespace

Result<FindRequest> RequestOf(const FindFields& fields) {
  FindRequest request;
  request.words = WordsOf(fields.words);
  request.person = fields.person;
  if (fields.from && fields.to && *fields.from > *fields.to) {
    return Failed<FindRequest>(
        Status::Error(QObject::tr("The first day is after the last day.").toStdString()));
  }
  request.from = IsoDay(fields.from);
  request.to = IsoDay(fields.to);
  Result<std::optional<Cents>> min =
      SumBound(fields.min_sum, QObject::tr("The smallest sum \"%1\" is not a number."));
  Result<std::optional<Cents>> max =
      SumBound(fields.max_sum, QObject::tr("The largest sum \"%1\" is not a number."));
  if (!min.ok()) return Failed<FindRequest>(min.status);
  if (!max.ok()) return Failed<FindRequest>(max.status);
  if (min.value && max.value && *min.value > *max.value) {
    return Failed<FindRequest>(Status::Error(
        QObject::tr("The smallest sum is larger than the largest sum.").toStdString()));
  }
  request.min_sum = min.value;
  request.max_sum = max.value;
  return {request};
}

}  // namespace kestrune
