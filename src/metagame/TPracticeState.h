#pragma once

// Where the practice window is in its round: closed, sliding in, the two steps, the dish
// presented, sliding out.
enum TPracticeState { psHidden, psSlidingIn, psFindStep, psPlaceStep, psDone, psSlidingOut };
