#include "charts/person_shares.h"

namespace kestrune::charts {
namespace {

Cents AmountOf(const PersonTotals& totals, const std::string& person) {
  const auto found = totals.find(person);
  return found == totals.end() ? 0 : found->second;
}

}  // namespace

PersonTotals EveryoneAtZero(const std::vector<std::string>& persons) {
  PersonTotals totals;
  for (const std::string& person : persons) totals[person] = 0;
  totals[kForAll] = 0;
  return totals;
}

double ShareOf(const PersonTotals& totals, const std::string& person, std::size_t person_count) {
  Cents share = AmountOf(totals, person);
  if (person_count > 0) {
    share += DivideRounded(AmountOf(totals, kForAll), static_cast<Cents>(person_count));
  }
  return CentsToUnits(share);
}

std::vector<double> SharesOf(const PersonTotals& totals, const std::vector<std::string>& persons) {
  std::vector<double> shares;
  shares.reserve(persons.size());
  for (const std::string& person : persons) {
    shares.push_back(ShareOf(totals, person, persons.size()));
  }
  return shares;
}

}  // namespace kestrune::charts
