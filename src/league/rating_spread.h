// League statistics of one rating over the regular players: the first k
// players of each position on each franchise roster in roster order (k = 2 QB,
// 2 RB, 1 FB, 3 TE, 4 WR, 3 T, 3 G, 2 C, 3 DE, 2 DT, 5 LB, 3 CB, 3 S, 1 K,
// 1 P), counting only the positions that may fill the depth-chart slot whose
// number is the rating's index.
#pragma once

// Mean of rating 0-26 over the regular players; 0 when there are none or the
// rating is out of range (reported).
float Get_Regular_Rating_Mean(int nRating);
// Mean absolute deviation from that mean; 0 when there are none.
float Get_Regular_Rating_Spread(int nRating);
