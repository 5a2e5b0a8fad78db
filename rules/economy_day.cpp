#include "rules/economy_day.h"

#include <limits>

#include "rules/campaigns.h"
#include "rules/diplomacy.h"
#include "rules/markets.h"
#include "rules/missions.h"
#include "rules/news.h"
#include "state/variables.h"

namespace rules {

void RunEconomyDay(Ui& ui) {
  if (state::GameDay < std::numeric_limits<std::int32_t>::max()) state::GameDay += 1;
  UpdateFactionDiplomacy(ui);
  UpdateMarketNews();
  UpdateCampaigns(ui);
  UpdateMarketPrices();
  UpdateMarketStocks();
  GenerateMissionOffers(ui);
}

}  // namespace rules
