#include "core/StatisticState.h"

Statistic g_statistic = Statistic::Mean;
int g_keptOrderedRows = 0;
unsigned g_statisticSeriesStamp = 0;

void ResetStatisticState() {
    g_statistic = Statistic::Mean;
    g_keptOrderedRows = 0;
    ++g_statisticSeriesStamp;
}
