// The whole run by keyboard alone: the chart takes the focus with its day
// cursor.
#include "chart_cursor.h"
#include "main_window.h"

void bioForm1::connect_keys() {
  chart_cursor = new ChartCursor(sinPicture1, chart_readout, HScroll1);
}
