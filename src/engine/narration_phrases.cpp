// The phrase table of the play-by-play narration: 54 events x 20 variants.
// Within a row the variants are grouped by the situation that picks them (see
// Choose_Commentary_Variant); a group reached without a player keeps that
// player's token out of its texts. Cells may repeat a text of their row.
#include "engine/narration.h"

namespace {

const char* const PHRASES[NARRATION_EVENTS][NARRATION_VARIANTS] = {
    {   // 0
        "The $OFFENSIVETEAM start this series $YARDLINE.",  // 0
        "$DOWN and $TOGO for the $OFFENSIVETEAM $YARDLINE.",
        "It's $DOWN and $TOGO $YARDLINE.",
        "$DOWN down, $YARDSTOGO to go for a first down.",
        "The $OFFENSIVETEAM face $DOWN and $TOGO $YARDLINE.",
        "$DOWN and goal at the $DEFENSIVECITY $TOGO-yard line.",  // 5
        "$DOWN and goal for the $OFFENSIVETEAM from the $TOGO.",
        "It's $DOWN and goal $YARDLINE.",
        "$OFFENSIVECITY is trying for the 2-point conversion.",
        "The $DEFENSIVETEAM have a chance to end this drive here.",
        "$DOWN and $TOGO. The $OFFENSIVETEAM need $YARDSTOGO here.",  // 10
        "A big $DOWN down for the $OFFENSIVETEAM, $YARDSTOGO to go.",
        "$DOWN and $TOGO $YARDLINE. This one matters.",
        "$DOWN and inches $YARDLINE.",
        "The $OFFENSIVETEAM need just one yard on $DOWN down.",
        "$DOWN and $TOGO for the $OFFENSIVETEAM.",  // 15
        "The $OFFENSIVETEAM line up on $DOWN and $TOGO $YARDLINE.",
        "$DOWN down, $YARDSTOGO to go.",
        "$DOWN and $TOGO. The $OFFENSIVETEAM will try to move the sticks.",
        "On $DOWN down the $OFFENSIVETEAM need $YARDSTOGO.",
    },
    {   // 1
        "Snap to $QB.",  // 0
        "$QB takes the snap.",
        "Here's the snap to $QB.",
        "The ball is snapped to $QB.",
        "$QB has the ball.",
        "$QB gets the snap.",  // 5
        "Snap to $QB.",
        "$QB takes the snap.",
        "The $OFFENSIVETEAM snap it to $QB.",
        "$QB takes the snap from under center.",
        "Here's the snap.",  // 10
        "$QB with the snap.",
        "$QB, under center, takes the snap.",
        "The snap is clean to $QB.",
        "$QB takes the shotgun snap.",
        "$QB in the shotgun. Here's the snap.",  // 15
        "Shotgun snap to $QB.",
        "$QB, back in the gun, takes the snap.",
        "From the shotgun, the snap to $QB.",
        "The snap comes back to $QB in the shotgun.",
    },
    {   // 2
        "Looking to pass.",  // 0
        "$QB drops back.",
        "$QB looks downfield.",
        "Dropping back to pass.",
        "$QB sets up to throw.",
        "$QB surveys the field.",  // 5
        "Looking to pass.",
        "$QB drops back.",
        "$QB looks downfield.",
        "Dropping back to pass.",
        "$QB sets up to throw.",  // 10
        "$QB surveys the field.",
        "Looking to pass.",
        "$QB drops back.",
        "$QB looks downfield.",
        "Dropping back to pass.",  // 15
        "$QB sets up to throw.",
        "$QB surveys the field.",
        "Looking to pass.",
        "$QB drops back.",
    },
    {   // 3
        "$PLAYER0 makes a great block.",  // 0
        "Nice block by $PLAYER0.",
        "$PLAYER0 clears the way.",
        "$PLAYER0 throws a key block.",
        "A big block from $PLAYER0.",
        "$PLAYER0 takes out his man.",  // 5
        "$PLAYER0 seals off the lane.",
        "$PLAYER0 knocks $PLAYER1 out of the play.",
        "$PLAYER0 gets a piece of $PLAYER1.",
        "$PLAYER0 keeps $PLAYER1 away.",
        "$PLAYER0 drives $PLAYER1 back.",  // 10
        "$PLAYER0 pancakes $PLAYER1.",
        "$PLAYER0 opens a hole.",
        "$PLAYER0 gets a good push up front.",
        "Great blocking by $PLAYER0.",
        "$PLAYER0 opens up a lane.",  // 15
        "$PLAYER0 makes a great block.",
        "$PLAYER0 wins his battle at the line.",
        "$PLAYER0 gets to the second level.",
        "$PLAYER0 opens a hole.",
    },
    {   // 4
        "$PLAYER0 stops the charge by $PLAYER1.",  // 0
        "$PLAYER0 picks up $PLAYER1.",
        "$PLAYER0 holds off $PLAYER1.",
        "$PLAYER0 stonewalls $PLAYER1.",
        "$PLAYER0 steers $PLAYER1 wide.",
        "$PLAYER0 won't let $PLAYER1 through.",  // 5
        "$PLAYER0 picks up the rush of $PLAYER1.",
        "$PLAYER1 is stopped at the line.",
        "$PLAYER1 can't get through.",
        "The line holds up $PLAYER1.",
        "$PLAYER1 is walled off.",  // 10
        "Good protection against $PLAYER1.",
        "$PLAYER1 gets nowhere.",
        "The pocket holds.",
        "Great protection.",
        "$PLAYER1 is held up at the line.",  // 15
        "$PLAYER1 can't get through.",
        "The line picks up $PLAYER1.",
        "Great protection.",
        "$PLAYER1 is walled off.",
    },
    {   // 5
        "$DEFENSIVECITY blitzes.",  // 0
        "Here comes the blitz.",
        "The $DEFENSIVETEAM send the blitz.",
        "Blitz! $PLAYER0 picks it up.",
        "$DEFENSIVECITY brings the pressure.",
        "The $DEFENSIVETEAM bring extra rushers.",  // 5
        "$PLAYER0 stays in to pick up the blitz.",
        "$DEFENSIVECITY is sending everybody.",
        "$DEFENSIVECITY blitzes.",
        "Here comes the blitz.",
        "The $DEFENSIVETEAM send the blitz.",  // 10
        "Blitz! $PLAYER0 picks it up.",
        "$DEFENSIVECITY brings the pressure.",
        "The $DEFENSIVETEAM bring extra rushers.",
        "$PLAYER0 stays in to pick up the blitz.",
        "$DEFENSIVECITY is sending everybody.",  // 15
        "$DEFENSIVECITY blitzes.",
        "Here comes the blitz.",
        "The $DEFENSIVETEAM send the blitz.",
        "Blitz! $PLAYER0 picks it up.",
    },
    {   // 6
        "$QB is under pressure.",  // 0
        "$PLAYER1 is coming hard.",
        "The pocket is collapsing.",
        "$QB feels the rush.",
        "$PLAYER1 gets into the backfield.",
        "Pressure on $QB.",  // 5
        "$QB has to hurry.",
        "The $DEFENSIVETEAM get some pressure.",
        "$QB is under pressure.",
        "$PLAYER1 is coming hard.",
        "The pocket is collapsing.",  // 10
        "$QB feels the rush.",
        "$PLAYER1 gets into the backfield.",
        "Pressure on $QB.",
        "$QB has to hurry.",
        "The $DEFENSIVETEAM get some pressure.",  // 15
        "$QB is under pressure.",
        "$PLAYER1 is coming hard.",
        "The pocket is collapsing.",
        "$QB feels the rush.",
    },
    {   // 7
        "$QB scrambles away from the pressure.",  // 0
        "$QB slips away from $PLAYER1.",
        "$QB escapes the rush.",
        "$QB steps up in the pocket.",
        "$QB ducks away from the pressure.",
        "$QB buys some time.",  // 5
        "$QB spins out of trouble.",
        "$QB scrambles away from the pressure.",
        "$QB slips away from $PLAYER1.",
        "$QB escapes the rush.",
        "$QB steps up in the pocket.",  // 10
        "$QB ducks away from the pressure.",
        "$QB buys some time.",
        "$QB spins out of trouble.",
        "$QB scrambles away from the pressure.",
        "$QB slips away from $PLAYER1.",  // 15
        "$QB escapes the rush.",
        "$QB steps up in the pocket.",
        "$QB ducks away from the pressure.",
        "$QB buys some time.",
    },
    {   // 8
        "Scrambles away from $PLAYER1.",  // 0
        "$QB is on the move.",
        "$QB moves out of the pocket.",
        "$QB slides to his left.",
        "$QB slides to his right.",
        "$QB buys some time.",  // 5
        "$QB is flushed from the pocket.",
        "$QB is scrambling.",
        "$QB keeps the play alive.",
        "$QB escapes the pocket.",
        "$QB is running for his life.",  // 10
        "$QB moves around back there.",
        "$QB evades the rush.",
        "$QB is forced to move.",
        "$QB sidesteps the rush.",
        "$QB rolls out.",  // 15
        "$QB rolls to his right.",
        "$QB rolls to his left.",
        "$QB moves the pocket.",
        "$QB sprints out.",
    },
    {   // 9
        "$PLAYER0 has good coverage on $PLAYER1.",  // 0
        "$PLAYER0 sticks with $PLAYER1.",
        "$PLAYER0 is all over $PLAYER1.",
        "$PLAYER1 is covered by $PLAYER0.",
        "$PLAYER0 blankets $PLAYER1.",
        "$PLAYER0 shadows $PLAYER1.",  // 5
        "$PLAYER0 has $PLAYER1 locked up.",
        "$PLAYER0 has good coverage on $PLAYER1.",
        "$PLAYER0 sticks with $PLAYER1.",
        "$PLAYER0 is all over $PLAYER1.",
        "$PLAYER1 is covered by $PLAYER0.",  // 10
        "$PLAYER0 blankets $PLAYER1.",
        "$PLAYER0 shadows $PLAYER1.",
        "$PLAYER1 is double covered.",
        "Two men on $PLAYER1.",
        "$PLAYER1 is covered.",  // 15
        "Nobody is open for $QB.",
        "Good coverage on $PLAYER1.",
        "$PLAYER1 can't get free.",
        "The $DEFENSIVETEAM have everyone covered.",
    },
    {   // 10
        "$PLAYER0 is open $LOCATION.",  // 0
        "$PLAYER0 gets open $LOCATION.",
        "$PLAYER0 breaks free $LOCATION.",
        "$PLAYER0 has a step on his man $LOCATION.",
        "$PLAYER0 finds a soft spot $LOCATION.",
        "$PLAYER0 is wide open $LOCATION.",  // 5
        "There's $PLAYER0, open $LOCATION.",
        "$PLAYER0 is open $LOCATION.",
        "$PLAYER0 gets open $LOCATION.",
        "$PLAYER0 breaks free $LOCATION.",
        "$PLAYER0 has a step on his man $LOCATION.",  // 10
        "$PLAYER0 finds a soft spot $LOCATION.",
        "$PLAYER0 is wide open $LOCATION.",
        "There's $PLAYER0, open $LOCATION.",
        "$PLAYER0 is open $LOCATION.",
        "$PLAYER0 gets open $LOCATION.",  // 15
        "$PLAYER0 breaks free $LOCATION.",
        "$PLAYER0 gets behind $PLAYER1.",
        "$PLAYER0 has beaten $PLAYER1.",
        "$PLAYER0 is open, $PLAYER1 trails the play.",
    },
    {   // 11
        "Pass to $PLAYER0 $LOCATION.",  // 0
        "$PLAYER1 throws to $PLAYER0 $LOCATION.",
        "$PLAYER1 looks for $PLAYER0 $LOCATION.",
        "The pass is for $PLAYER0 $LOCATION.",
        "$PLAYER1 fires to $PLAYER0 $LOCATION.",
        "$PLAYER1 goes to $PLAYER0 $LOCATION.",  // 5
        "Throwing for $PLAYER0 $LOCATION.",
        "Quick pass to $PLAYER0 $LOCATION.",
        "$PLAYER1 dumps it off to $PLAYER0 $LOCATION.",
        "A short toss to $PLAYER0 $LOCATION.",
        "$PLAYER1 flips it to $PLAYER0 $LOCATION.",  // 10
        "Short pass for $PLAYER0 $LOCATION.",
        "$PLAYER1 checks down to $PLAYER0 $LOCATION.",
        "$PLAYER1 goes deep for $PLAYER0 $LOCATION.",
        "Long pass to $PLAYER0 $LOCATION.",
        "$PLAYER1 lets it fly for $PLAYER0 $LOCATION.",  // 15
        "$PLAYER1 launches one for $PLAYER0 $LOCATION.",
        "A deep ball for $PLAYER0 $LOCATION.",
        "$PLAYER1 airs it out to $PLAYER0 $LOCATION.",
        "A bomb for $PLAYER0 $LOCATION.",
    },
    {   // 12
        "Knocked down by $PLAYER0.",  // 0
        "$PLAYER0 bats it away.",
        "$PLAYER0 breaks it up.",
        "Broken up by $PLAYER0.",
        "$PLAYER0 swats it down.",
        "$PLAYER0 knocks it away.",  // 5
        "$PLAYER0 gets a hand on it.",
        "$PLAYER0 is there.",
        "$PLAYER0 jumps the route.",
        "$PLAYER0 reads it all the way.",
        "$PLAYER0 breaks on the ball.",  // 10
        "$PLAYER0 is right there.",
        "$PLAYER0 goes up for it.",
        "$PLAYER0 closes on the ball.",
        "Knocked down by $PLAYER0.",
        "$PLAYER0 bats it away.",  // 15
        "$PLAYER0 breaks it up.",
        "Broken up by $PLAYER0.",
        "$PLAYER0 swats it down.",
        "$PLAYER0 knocks it away.",
    },
    {   // 13
        "That's incomplete.",  // 0
        "Incomplete.",
        "It falls incomplete.",
        "The pass is off target.",
        "Overthrown.",
        "$PLAYER0 can't get to it.",  // 5
        "It sails past $PLAYER0.",
        "Incomplete, intended for $PLAYER0.",
        "Thrown behind $PLAYER0.",
        "Out of reach of $PLAYER0.",
        "That's incomplete.",  // 10
        "Incomplete.",
        "It falls incomplete.",
        "The pass is off target.",
        "Overthrown.",
        "$PLAYER0 can't get to it.",  // 15
        "It sails past $PLAYER0.",
        "Incomplete, intended for $PLAYER0.",
        "Thrown behind $PLAYER0.",
        "Out of reach of $PLAYER0.",
    },
    {   // 14
        "Caught by $PLAYER0.",  // 0
        "$PLAYER0 makes the catch.",
        "$PLAYER0 hauls it in.",
        "Complete to $PLAYER0.",
        "$PLAYER0 grabs it.",
        "$PLAYER0 pulls it in.",  // 5
        "$PLAYER0 has it.",
        "Caught by $PLAYER0.",
        "$PLAYER0 makes the catch.",
        "$PLAYER0 hauls it in.",
        "Complete to $PLAYER0.",  // 10
        "$PLAYER0 grabs it.",
        "$PLAYER0 pulls it in.",
        "$PLAYER0 has it.",
        "Caught by $PLAYER0.",
        "$PLAYER0 makes the catch.",  // 15
        "$PLAYER0 hauls it in.",
        "Complete to $PLAYER0.",
        "$PLAYER0 grabs it.",
        "$PLAYER0 pulls it in.",
    },
    {   // 15
        "$PLAYER0 has it. And drops it..",  // 0
        "$PLAYER0 drops it.",
        "It goes right through the hands of $PLAYER0.",
        "$PLAYER0 can't hang on.",
        "Dropped by $PLAYER0.",
        "$PLAYER0 lets it slip away.",  // 5
        "$PLAYER0 has it. And drops it..",
        "$PLAYER0 drops it.",
        "It goes right through the hands of $PLAYER0.",
        "$PLAYER0 can't hang on.",
        "Dropped by $PLAYER0.",  // 10
        "$PLAYER0 lets it slip away.",
        "$PLAYER0 has it. And drops it..",
        "$PLAYER0 drops it.",
        "It goes right through the hands of $PLAYER0.",
        "$PLAYER0 can't hang on.",  // 15
        "Dropped by $PLAYER0.",
        "$PLAYER0 lets it slip away.",
        "$PLAYER0 has it. And drops it..",
        "$PLAYER0 drops it.",
    },
    {   // 16
        "Hit by $PLAYER0.",  // 0
        "$PLAYER0 hits him right away.",
        "$PLAYER0 is there to meet him.",
        "$PLAYER0 wraps up $PLAYER1.",
        "Met by $PLAYER0.",
        "$PLAYER0 closes fast.",  // 5
        "Hit by $PLAYER0.",
        "$PLAYER0 hits him right away.",
        "$PLAYER0 is there to meet him.",
        "$PLAYER0 wraps up $PLAYER1.",
        "Met by $PLAYER0.",  // 10
        "$PLAYER0 closes fast.",
        "Hit by $PLAYER0.",
        "$PLAYER0 hits him right away.",
        "$PLAYER0 is there to meet him.",
        "$PLAYER0 wraps up $PLAYER1.",  // 15
        "Met by $PLAYER0.",
        "$PLAYER0 closes fast.",
        "Hit by $PLAYER0.",
        "$PLAYER0 hits him right away.",
    },
    {   // 17
        "$PLAYER0 fights for a couple more yards.",  // 0
        "$PLAYER0 keeps his legs moving.",
        "$PLAYER0 lunges forward.",
        "$PLAYER0 falls forward for extra yards.",
        "$PLAYER0 pushes ahead.",
        "$PLAYER0 won't go down easy.",  // 5
        "$PLAYER0 fights for a couple more yards.",
        "$PLAYER0 keeps his legs moving.",
        "$PLAYER0 lunges forward.",
        "$PLAYER0 falls forward for extra yards.",
        "$PLAYER0 pushes ahead.",  // 10
        "$PLAYER0 won't go down easy.",
        "$PLAYER0 fights for a couple more yards.",
        "$PLAYER0 keeps his legs moving.",
        "$PLAYER0 lunges forward.",
        "$PLAYER0 falls forward for extra yards.",  // 15
        "$PLAYER0 pushes ahead.",
        "$PLAYER0 drags $PLAYER1 for a couple more yards.",
        "$PLAYER0 carries $PLAYER1 forward.",
        "$PLAYER0 fights off $PLAYER1 for more.",
    },
    {   // 18
        "$PLAYER0 pushes and breaks free.",  // 0
        "$PLAYER0 breaks a tackle.",
        "$PLAYER0 shakes loose.",
        "$PLAYER0 spins free.",
        "$PLAYER0 bounces off a tackler.",
        "$PLAYER0 slips out of a tackle.",  // 5
        "$PLAYER0 pushes and breaks free.",
        "$PLAYER0 breaks a tackle.",
        "$PLAYER0 shakes loose.",
        "$PLAYER0 spins free.",
        "$PLAYER0 bounces off a tackler.",  // 10
        "$PLAYER0 slips out of a tackle.",
        "$PLAYER0 pushes and breaks free.",
        "$PLAYER0 breaks a tackle.",
        "$PLAYER0 shakes loose.",
        "$PLAYER0 spins free.",  // 15
        "$PLAYER0 bounces off a tackler.",
        "$PLAYER0 slips out of a tackle.",
        "$PLAYER0 pushes and breaks free.",
        "$PLAYER0 breaks a tackle.",
    },
    {   // 19
        "$PLAYER0 breaks free of $PLAYER1.",  // 0
        "$PLAYER0 shakes off $PLAYER1.",
        "$PLAYER0 leaves $PLAYER1 behind.",
        "$PLAYER1 misses the tackle.",
        "$PLAYER0 runs through $PLAYER1.",
        "$PLAYER0 makes $PLAYER1 miss.",  // 5
        "$PLAYER0 breaks free of $PLAYER1.",
        "$PLAYER0 shakes off $PLAYER1.",
        "$PLAYER0 leaves $PLAYER1 behind.",
        "$PLAYER1 misses the tackle.",
        "$PLAYER0 breaks a tackle.",  // 10
        "$PLAYER0 shakes free.",
        "$PLAYER0 makes a man miss.",
        "$PLAYER0 slips a tackle.",
        "$PLAYER0 stays on his feet.",
        "$PLAYER0 breaks a tackle.",  // 15
        "$PLAYER0 shakes free.",
        "$PLAYER0 makes a man miss.",
        "$PLAYER0 slips a tackle.",
        "$PLAYER0 stays on his feet.",
    },
    {   // 20
        "$PLAYER0 has room to run.",  // 0
        "$PLAYER0 finds some running room.",
        "$PLAYER0 has open field ahead.",
        "$PLAYER0 turns upfield.",
        "Nobody is near $PLAYER0.",
        "$PLAYER0 is picking up speed.",  // 5
        "$PLAYER0 has room to run.",
        "$PLAYER0 finds some running room.",
        "$PLAYER0 has open field ahead.",
        "$PLAYER0 turns upfield.",
        "Nobody is near $PLAYER0.",  // 10
        "$PLAYER0 is picking up speed.",
        "$PLAYER0 has room to run.",
        "$PLAYER0 finds some running room.",
        "$PLAYER0 has open field ahead.",
        "$PLAYER0 turns upfield.",  // 15
        "Nobody is near $PLAYER0.",
        "$PLAYER0 is picking up speed.",
        "$PLAYER0 has room to run.",
        "$PLAYER0 finds some running room.",
    },
    {   // 21
        "Taken down $YARDLINE.",  // 0
        "Brought down $YARDLINE.",
        "$PLAYER1 makes the tackle $YARDLINE.",
        "$PLAYER0 is stopped $YARDLINE.",
        "Tackled $YARDLINE.",
        "$PLAYER1 brings him down $YARDLINE.",  // 5
        "$PLAYER0 goes down $YARDLINE.",
        "Dragged down $YARDLINE.",
        "$PLAYER0 is wrapped up $YARDLINE.",
        "Stopped $YARDLINE by $PLAYER1.",
        "Taken down $YARDLINE.",  // 10
        "$PLAYER0 is hauled down $YARDLINE.",
        "Pushed out of bounds $YARDLINE.",
        "$PLAYER0 is forced out $YARDLINE.",
        "Knocked out of bounds $YARDLINE.",
        "Steps out of bounds $YARDLINE.",  // 15
        "$PLAYER0 gets out of bounds $YARDLINE.",
        "Out of bounds $YARDLINE, and the clock stops.",
        "$PLAYER0 heads for the sideline and gets out $YARDLINE.",
        "$PLAYER0 stops the clock, stepping out $YARDLINE.",
    },
    {   // 22
        "Intercepted by $PLAYER0.",  // 0
        "$PLAYER0 picks it off!",
        "Interception! $PLAYER0 has it.",
        "$PLAYER0 steps in front and intercepts.",
        "It's picked off by $PLAYER0.",
        "$PLAYER0 comes down with it. Interception!",  // 5
        "Intercepted by $PLAYER0.",
        "$PLAYER0 picks it off!",
        "Interception! $PLAYER0 has it.",
        "$PLAYER0 steps in front and intercepts.",
        "It's picked off by $PLAYER0.",  // 10
        "$PLAYER0 comes down with it. Interception!",
        "Intercepted by $PLAYER0.",
        "$PLAYER0 picks it off!",
        "Interception! $PLAYER0 has it.",
        "$PLAYER0 steps in front and intercepts.",  // 15
        "It's picked off by $PLAYER0.",
        "$PLAYER0 comes down with it. Interception!",
        "Intercepted by $PLAYER0.",
        "$PLAYER0 picks it off!",
    },
    {   // 23
        "Handoff to $PLAYER1.",  // 0
        "$PLAYER0 hands off to $PLAYER1.",
        "$PLAYER0 gives it to $PLAYER1.",
        "It's a handoff to $PLAYER1.",
        "$PLAYER1 takes the handoff.",
        "$PLAYER0 turns and hands to $PLAYER1.",  // 5
        "$PLAYER1 gets the ball.",
        "Handoff to $PLAYER1.",
        "$PLAYER0 gives it to $PLAYER1.",
        "$PLAYER1 takes the handoff.",
        "$PLAYER0 hands off to $PLAYER1.",  // 10
        "It's a handoff to $PLAYER1.",
        "$PLAYER1 has the ball.",
        "The ball goes to $PLAYER1.",
        "Toss to $PLAYER1.",
        "$PLAYER0 pitches to $PLAYER1.",  // 15
        "$PLAYER0 tosses it to $PLAYER1.",
        "Pitch to $PLAYER1.",
        "$PLAYER1 takes the pitch.",
        "The toss goes to $PLAYER1.",
    },
    {   // 24
        "Play action to $PLAYER1.",  // 0
        "$PLAYER0 fakes to $PLAYER1.",
        "A fake handoff to $PLAYER1.",
        "$PLAYER0 shows it to $PLAYER1 and keeps it.",
        "Play fake to $PLAYER1.",
        "$PLAYER0 sells the fake to $PLAYER1.",  // 5
        "Play action to $PLAYER1.",
        "$PLAYER0 fakes to $PLAYER1.",
        "A fake handoff to $PLAYER1.",
        "$PLAYER0 shows it to $PLAYER1 and keeps it.",
        "Play fake to $PLAYER1.",  // 10
        "$PLAYER0 sells the fake to $PLAYER1.",
        "Play action to $PLAYER1.",
        "$PLAYER0 fakes to $PLAYER1.",
        "A fake handoff to $PLAYER1.",
        "$PLAYER0 shows it to $PLAYER1 and keeps it.",  // 15
        "Play fake to $PLAYER1.",
        "$PLAYER0 sells the fake to $PLAYER1.",
        "Play action to $PLAYER1.",
        "$PLAYER0 fakes to $PLAYER1.",
    },
    {   // 25
        "$PLAYER0 bites on the play action.",  // 0
        "$PLAYER0 bites on the fake.",
        "$PLAYER0 is fooled by the fake.",
        "$PLAYER0 takes the bait.",
        "$PLAYER0 steps up for the run.",
        "$PLAYER0 goes for the fake.",  // 5
        "$PLAYER0 bites on the play action.",
        "$PLAYER0 bites on the fake.",
        "$PLAYER0 is fooled by the fake.",
        "$PLAYER0 takes the bait.",
        "$PLAYER0 steps up for the run.",  // 10
        "The defense bites on the fake.",
        "The $DEFENSIVETEAM bite on the play action.",
        "The fake freezes the linebackers.",
        "$PLAYER1 sells the fake.",
        "The play action works.",  // 15
        "The defense bites on the fake.",
        "The $DEFENSIVETEAM bite on the play action.",
        "The fake freezes the linebackers.",
        "$PLAYER1 sells the fake.",
    },
    {   // 26
        "$PLAYER0 drops into coverage.",  // 0
        "$PLAYER0 falls back into coverage.",
        "$PLAYER0 drops back.",
        "$PLAYER0 backs off into a zone.",
        "$PLAYER0 drops into the zone.",
        "$PLAYER0 drops into coverage.",  // 5
        "$PLAYER0 falls back into coverage.",
        "$PLAYER0 drops back.",
        "$PLAYER0 backs off into a zone.",
        "$PLAYER0 drops into the zone.",
        "$PLAYER0 drops into coverage.",  // 10
        "$PLAYER0 falls back into coverage.",
        "$PLAYER0 drops back.",
        "$PLAYER0 backs off into a zone.",
        "$PLAYER0 drops into the zone.",
        "$PLAYER0 drops into coverage.",  // 15
        "$PLAYER0 falls back into coverage.",
        "$PLAYER0 drops back.",
        "$PLAYER0 backs off into a zone.",
        "$PLAYER0 drops into the zone.",
    },
    {   // 27
        "$PLAYER0 rushes $LOCATION.",  // 0
        "$PLAYER0 runs $LOCATION.",
        "$PLAYER0 heads $LOCATION.",
        "$PLAYER0 goes $LOCATION.",
        "$PLAYER0 takes it $LOCATION.",
        "$PLAYER0 cuts $LOCATION.",  // 5
        "$PLAYER0 carries $LOCATION.",
        "$PLAYER0 rushes $LOCATION.",
        "$PLAYER0 runs $LOCATION.",
        "$PLAYER0 heads $LOCATION.",
        "$PLAYER0 goes $LOCATION.",  // 10
        "$PLAYER0 takes it $LOCATION.",
        "$PLAYER0 cuts $LOCATION.",
        "$PLAYER0 carries $LOCATION.",
        "$PLAYER0 rushes $LOCATION.",
        "$PLAYER0 runs $LOCATION.",  // 15
        "$PLAYER0 heads $LOCATION.",
        "$PLAYER0 goes $LOCATION.",
        "$PLAYER0 takes it $LOCATION.",
        "$PLAYER0 cuts $LOCATION.",
    },
    {   // 28
        "He's $LONGRUN.",  // 0
        "$PLAYER0 is $LONGRUN.",
        "He's going $LONGRUN.",
        "$PLAYER0 gets $LONGRUN.",
        "He's $LONGRUN!",
        "Look at him go, $LONGRUN.",  // 5
        "He's $LONGRUN.",
        "$PLAYER0 is $LONGRUN.",
        "He's going $LONGRUN.",
        "$PLAYER0 gets $LONGRUN.",
        "He's $LONGRUN!",  // 10
        "Look at him go, $LONGRUN.",
        "He's $LONGRUN.",
        "$PLAYER0 is $LONGRUN.",
        "He's going $LONGRUN.",
        "$PLAYER0 gets $LONGRUN.",  // 15
        "He's $LONGRUN!",
        "Look at him go, $LONGRUN.",
        "He's $LONGRUN.",
        "$PLAYER0 is $LONGRUN.",
    },
    {   // 29
        "$PLAYER0 coughs it up!",  // 0
        "Fumble! $PLAYER0 loses the ball!",
        "$PLAYER0 puts it on the ground!",
        "$PLAYER1 knocks it loose from $PLAYER0!",
        "The ball is out! $PLAYER0 fumbles!",
        "$PLAYER1 strips $PLAYER0!",  // 5
        "$PLAYER0 coughs it up!",
        "Fumble! $PLAYER0 loses the ball!",
        "$PLAYER0 puts it on the ground!",
        "$PLAYER1 knocks it loose from $PLAYER0!",
        "The ball is out! $PLAYER0 fumbles!",  // 10
        "$PLAYER1 strips $PLAYER0!",
        "$PLAYER0 coughs it up!",
        "Fumble! $PLAYER0 loses the ball!",
        "$PLAYER0 puts it on the ground!",
        "$PLAYER1 knocks it loose from $PLAYER0!",  // 15
        "The ball is out! $PLAYER0 fumbles!",
        "$PLAYER1 strips $PLAYER0!",
        "$PLAYER0 coughs it up!",
        "Fumble! $PLAYER0 loses the ball!",
    },
    {   // 30
        "There's a pile up.",  // 0
        "Everyone dives for it.",
        "A scramble for the loose ball.",
        "Bodies everywhere.",
        "Nobody can tell who has it.",
        "There's a pile up.",  // 5
        "Everyone dives for it.",
        "A scramble for the loose ball.",
        "Bodies everywhere.",
        "Nobody can tell who has it.",
        "There's a pile up.",  // 10
        "Everyone dives for it.",
        "A scramble for the loose ball.",
        "Bodies everywhere.",
        "Nobody can tell who has it.",
        "There's a pile up.",  // 15
        "Everyone dives for it.",
        "A scramble for the loose ball.",
        "Bodies everywhere.",
        "Nobody can tell who has it.",
    },
    {   // 31
        "The refs signal $CITY0 ball.",  // 0
        "It's $CITY0 ball.",
        "The $TEAM0 come up with it.",
        "$CITY0 recovers.",
        "The officials give it to $CITY0.",
        "When the pile clears, it's $CITY0 ball.",  // 5
        "The $TEAM0 have it.",
        "It's $CITY0 ball.",
        "The $TEAM0 come up with it.",
        "$CITY0 recovers.",
        "The $TEAM0 come away with it.",  // 10
        "It's $CITY0 ball.",
        "The refs signal $CITY0 ball.",
        "$CITY0 has the ball.",
        "Possession $CITY0.",
        "The $TEAM0 will take over.",  // 15
        "The $TEAM0 recover the onside kick.",
        "$CITY0 falls on the onside kick.",
        "The onside kick is recovered by $CITY0.",
        "The $TEAM0 smother the onside kick.",
    },
    {   // 32
        "$PLAYER0 picks it up.",  // 0
        "$PLAYER0 falls on it.",
        "$PLAYER0 recovers.",
        "$PLAYER0 scoops it up.",
        "$PLAYER0 comes up with it.",
        "$PLAYER0 grabs the loose ball.",  // 5
        "$PLAYER0 picks it up.",
        "$PLAYER0 falls on it.",
        "$PLAYER0 recovers.",
        "$PLAYER0 scoops it up.",
        "$PLAYER0 comes up with it.",  // 10
        "$PLAYER0 grabs the loose ball.",
        "$PLAYER0 picks it up.",
        "$PLAYER0 falls on it.",
        "$PLAYER0 recovers.",
        "$PLAYER0 scoops it up.",  // 15
        "$PLAYER0 comes up with it.",
        "$PLAYER0 grabs the loose ball.",
        "$PLAYER0 picks it up.",
        "$PLAYER0 falls on it.",
    },
    {   // 33
        "$PLAYER0 dives for it.",  // 0
        "$PLAYER0 lunges for the ball.",
        "$PLAYER0 goes to the ground after it.",
        "$PLAYER0 leaps for it.",
        "$PLAYER0 dives for it.",
        "$PLAYER0 lunges for the ball.",  // 5
        "$PLAYER0 goes to the ground after it.",
        "$PLAYER0 leaps for it.",
        "$PLAYER0 dives for it.",
        "$PLAYER0 lunges for the ball.",
        "$PLAYER0 goes to the ground after it.",  // 10
        "$PLAYER0 leaps for it.",
        "$PLAYER0 dives for it.",
        "$PLAYER0 lunges for the ball.",
        "$PLAYER0 goes to the ground after it.",
        "$PLAYER0 leaps for it.",  // 15
        "$PLAYER0 dives for it.",
        "$PLAYER0 lunges for the ball.",
        "$PLAYER0 goes to the ground after it.",
        "$PLAYER0 leaps for it.",
    },
    {   // 34
        "$PLAYER0 is in the end zone for the score.",  // 0
        "Touchdown, $PLAYER0!",
        "$PLAYER0 goes all the way!",
        "$PLAYER0 scores!",
        "$PLAYER0 takes it in for six.",
        "Touchdown $TEAM0!",  // 5
        "$PLAYER0 crosses the goal line. Touchdown!",
        "Nobody catches $PLAYER0. Touchdown!",
        "$PLAYER0 is in! Touchdown!",
        "Six points for $PLAYER0.",
        "$PLAYER0 punches it in.",  // 10
        "$PLAYER0 pushes into the end zone.",
        "$PLAYER0 dives over the goal line. Touchdown!",
        "$PLAYER0 breaks the plane. Touchdown!",
        "$PLAYER0 plows in for the score.",
        "$PLAYER0 gets in for two.",  // 15
        "$PLAYER0 converts. Two points!",
        "The conversion is good. $PLAYER0 is in.",
        "$PLAYER0 is in the end zone for two.",
        "Two points for the $TEAM0.",
    },
    {   // 35
        "That moves the chains for the $OFFENSIVETEAM.",  // 0
        "First down $OFFENSIVETEAM.",
        "That's a first down.",
        "$PLAYER0 picks up the first down.",
        "That's enough for the first down.",
        "The $OFFENSIVETEAM move the sticks.",  // 5
        "That moves the chains for the $OFFENSIVETEAM.",
        "First down $OFFENSIVETEAM.",
        "That's a first down.",
        "$PLAYER0 picks up the first down.",
        "That's enough for the first down.",  // 10
        "The $OFFENSIVETEAM move the sticks.",
        "That moves the chains for the $OFFENSIVETEAM.",
        "First down $OFFENSIVETEAM.",
        "That's a first down.",
        "$PLAYER0 picks up the first down.",  // 15
        "That's enough for the first down.",
        "The $OFFENSIVETEAM move the sticks.",
        "That moves the chains for the $OFFENSIVETEAM.",
        "First down $OFFENSIVETEAM.",
    },
    {   // 36
        "$QB is sacked.",  // 0
        "$PLAYER1 sacks $QB.",
        "$QB is brought down by $PLAYER1.",
        "Sack! $PLAYER1 gets $QB.",
        "$QB goes down.",
        "$PLAYER1 drops $QB.",  // 5
        "$QB is sacked.",
        "$PLAYER1 sacks $QB.",
        "$QB is brought down by $PLAYER1.",
        "Sack! $PLAYER1 gets $QB.",
        "$QB goes down.",  // 10
        "$PLAYER1 drops $QB.",
        "$QB is sacked.",
        "$PLAYER1 sacks $QB.",
        "$QB is brought down by $PLAYER1.",
        "Sack! $PLAYER1 gets $QB.",  // 15
        "$QB goes down.",
        "$PLAYER1 drops $QB.",
        "$QB is sacked.",
        "$PLAYER1 sacks $QB.",
    },
    {   // 37
        "That's a safety!",  // 0
        "Safety!",
        "Tackled in the end zone. Safety!",
        "It's a safety!",
        "Caught in the end zone. That's a safety!",
        "That's a safety!",  // 5
        "Safety!",
        "Tackled in the end zone. Safety!",
        "It's a safety!",
        "Caught in the end zone. That's a safety!",
        "That's a safety!",  // 10
        "Safety!",
        "Tackled in the end zone. Safety!",
        "It's a safety!",
        "Caught in the end zone. That's a safety!",
        "That's a safety!",  // 15
        "Safety!",
        "Tackled in the end zone. Safety!",
        "It's a safety!",
        "Caught in the end zone. That's a safety!",
    },
    {   // 38
        "$PLAYER0 is back for $CITY0.",  // 0
        "$PLAYER0 waits for the punt.",
        "$PLAYER0 is back to field the punt for $CITY0.",
        "$PLAYER0 is deep for the $TEAM0.",
        "The $TEAM0 have $PLAYER0 back to receive the punt.",
        "$PLAYER0 drops back to field it.",  // 5
        "$PLAYER0 is back for $CITY0.",
        "$PLAYER0 waits for the punt.",
        "$PLAYER0 is back to field the punt for $CITY0.",
        "$PLAYER0 is deep for the $TEAM0.",
        "$PLAYER0 is back to receive the kick.",  // 10
        "$PLAYER0 is deep for $CITY0.",
        "The $TEAM0 have $PLAYER0 back for the kickoff.",
        "$PLAYER0 waits at the goal line.",
        "$PLAYER0 will return the kick for the $TEAM0.",
        "$PLAYER0 is back to receive the kick.",  // 15
        "$PLAYER0 is deep for $CITY0.",
        "The $TEAM0 have $PLAYER0 back for the kickoff.",
        "$PLAYER0 waits at the goal line.",
        "$PLAYER0 will return the kick for the $TEAM0.",
    },
    {   // 39
        "The kick to $PLAYER1.",  // 0
        "The punt is away to $PLAYER1.",
        "$PLAYER0 punts to $PLAYER1.",
        "$PLAYER0 gets the punt off.",
        "Here's the punt, headed for $PLAYER1.",
        "$PLAYER0 booms it. A long punt to $PLAYER1.",  // 5
        "A high, deep punt by $PLAYER0.",
        "$PLAYER0 shanks it.",
        "A short punt by $PLAYER0.",
        "$PLAYER0 doesn't get much on it.",
        "The kickoff to $PLAYER1.",  // 10
        "$PLAYER0 kicks it off.",
        "$PLAYER0 sends it deep to $PLAYER1.",
        "Here's the kickoff from $PLAYER0.",
        "The kick is up, headed for $PLAYER1.",
        "The kickoff to $PLAYER1.",  // 15
        "$PLAYER0 kicks it off.",
        "$PLAYER0 sends it deep to $PLAYER1.",
        "Here's the kickoff from $PLAYER0.",
        "The kick is up, headed for $PLAYER1.",
    },
    {   // 40
        "Caught by $PLAYER0.",  // 0
        "$PLAYER0 fields it.",
        "$PLAYER0 gathers it in.",
        "$PLAYER0 has it.",
        "$PLAYER0 catches it and looks for room.",
        "Caught by $PLAYER0.",  // 5
        "$PLAYER0 fields it.",
        "$PLAYER0 gathers it in.",
        "$PLAYER0 has it.",
        "$PLAYER0 catches it and looks for room.",
        "$PLAYER0 lets it go into the end zone.",  // 10
        "Touchback.",
        "It bounces into the end zone for a touchback.",
        "$PLAYER0 takes a knee in the end zone.",
        "No return. Touchback.",
        "$PLAYER0 signals for a fair catch.",  // 15
        "Fair catch by $PLAYER0.",
        "$PLAYER0 waves for the fair catch.",
        "$PLAYER0 calls for the fair catch.",
        "He'll take the fair catch.",
    },
    {   // 41
        "This one's coming back.",  // 0
        "There's a flag on the play.",
        "Flag down. This one won't count.",
        "A flag on the field. It's coming back.",
        "Wait, there's a penalty.",
        "This one's coming back.",  // 5
        "There's a flag on the play.",
        "Flag down. This one won't count.",
        "A flag on the field. It's coming back.",
        "Wait, there's a penalty.",
        "Flag down before the snap.",  // 10
        "The whistle blows. Flag before the play.",
        "Somebody moved early.",
        "A flag before the snap.",
        "No play. There's a flag.",
        "Flag down before the snap.",  // 15
        "The whistle blows. Flag before the play.",
        "Somebody moved early.",
        "A flag before the snap.",
        "No play. There's a flag.",
    },
    {   // 42
        "The $TEAM0 bring the field goal unit.",  // 0
        "The $TEAM0 will try a field goal.",
        "$PLAYER0 comes on to kick.",
        "Field goal try for $PLAYER0.",
        "$PLAYER0 lines up the kick.",
        "The $TEAM0 bring the field goal unit.",  // 5
        "The $TEAM0 will try a field goal.",
        "$PLAYER0 comes on to kick.",
        "Field goal try for $PLAYER0.",
        "$PLAYER0 lines up the kick.",
        "A short field goal try for $PLAYER0.",  // 10
        "This should be a chip shot for $PLAYER0.",
        "$PLAYER0 lines up an easy one.",
        "The $TEAM0 will take the short field goal.",
        "$PLAYER0 trots out for a short kick.",
        "$PLAYER0 will try it from long range.",  // 15
        "A long field goal try for $PLAYER0.",
        "The $TEAM0 send $PLAYER0 out for a long one.",
        "This one would be a career kick for $PLAYER0.",
        "Does $PLAYER0 have the leg for this one?",
    },
    {   // 43
        "Here's the snap.",  // 0
        "The snap, the hold.",
        "The snap is good.",
        "The snap and the hold are down.",
        "Here's the snap and the hold.",
        "Here's the snap.",  // 5
        "The snap, the hold.",
        "The snap is good.",
        "The snap and the hold are down.",
        "Here's the snap and the hold.",
        "Here's the snap.",  // 10
        "The snap, the hold.",
        "The snap is good.",
        "The snap and the hold are down.",
        "Here's the snap and the hold.",
        "Here's the snap.",  // 15
        "The snap, the hold.",
        "The snap is good.",
        "The snap and the hold are down.",
        "Here's the snap and the hold.",
    },
    {   // 44
        "It's up.",  // 0
        "The kick is up.",
        "$PLAYER0 kicks it.",
        "And the kick is on its way.",
        "It's up and it's...",
        "It's up.",  // 5
        "The kick is up.",
        "$PLAYER0 kicks it.",
        "And the kick is on its way.",
        "It's up and it's...",
        "It's up.",  // 10
        "The kick is up.",
        "$PLAYER0 kicks it.",
        "And the kick is on its way.",
        "It's up and it's...",
        "It's up.",  // 15
        "The kick is up.",
        "$PLAYER0 kicks it.",
        "And the kick is on its way.",
        "It's up and it's...",
    },
    {   // 45
        "Right between the uprights.",  // 0
        "It's good!",
        "The kick is good.",
        "Good. $PLAYER0 puts it through.",
        "Through the uprights. It's good.",
        "No doubt about that one. Good.",  // 5
        "It's long enough... and it's good!",
        "What a kick! It's good from way out.",
        "It's wide right. No good.",
        "Wide left. No good.",
        "It hooks wide. No good.",  // 10
        "Off the upright! No good.",
        "$PLAYER0 misses it.",
        "It's no good.",
        "Wide right.",
        "Wide left.",  // 15
        "No good. $PLAYER0 pushed it.",
        "It doesn't make it. No good.",
        "It's short. No good.",
        "It falls short of the crossbar.",
    },
    {   // 46
        "$FULLNAME0 is hurt.",  // 0
        "$FULLNAME0 is down on the field.",
        "$FULLNAME0 is slow to get up.",
        "There's an injury. $FULLNAME0 is hurt.",
        "The trainers are out for $FULLNAME0.",
        "$FULLNAME0 is hurt.",  // 5
        "$FULLNAME0 is down on the field.",
        "$FULLNAME0 is slow to get up.",
        "There's an injury. $FULLNAME0 is hurt.",
        "The trainers are out for $FULLNAME0.",
        "$FULLNAME0 is hurt.",  // 10
        "$FULLNAME0 is down on the field.",
        "$FULLNAME0 is slow to get up.",
        "There's an injury. $FULLNAME0 is hurt.",
        "The trainers are out for $FULLNAME0.",
        "$FULLNAME0 is hurt.",  // 15
        "$FULLNAME0 is down on the field.",
        "$FULLNAME0 is slow to get up.",
        "There's an injury. $FULLNAME0 is hurt.",
        "The trainers are out for $FULLNAME0.",
    },
    {   // 47
        "He is hurt. He's leaving the game.",  // 0
        "He's helped off the field.",
        "He won't return.",
        "He's being helped to the sideline.",
        "That looks serious. He's out.",
        "He is hurt. He's leaving the game.",  // 5
        "He's helped off the field.",
        "He won't return.",
        "He's being helped to the sideline.",
        "That looks serious. He's out.",
        "He is hurt. He's leaving the game.",  // 10
        "He's helped off the field.",
        "He won't return.",
        "He's being helped to the sideline.",
        "That looks serious. He's out.",
        "He is hurt. He's leaving the game.",  // 15
        "He's helped off the field.",
        "He won't return.",
        "He's being helped to the sideline.",
        "That looks serious. He's out.",
    },
    {   // 48
        "He's going to stay in the game.",  // 0
        "He's up and walking off under his own power.",
        "He shakes it off.",
        "He looks okay.",
        "He'll be fine.",
        "He's going to stay in the game.",  // 5
        "He's up and walking off under his own power.",
        "He shakes it off.",
        "He looks okay.",
        "He'll be fine.",
        "He's going to stay in the game.",  // 10
        "He's up and walking off under his own power.",
        "He shakes it off.",
        "He looks okay.",
        "He'll be fine.",
        "He's going to stay in the game.",  // 15
        "He's up and walking off under his own power.",
        "He shakes it off.",
        "He looks okay.",
        "He'll be fine.",
    },
    {   // 49
        "The $OFFENSIVETEAM turn the ball over on downs.",  // 0
        "Turnover on downs.",
        "The $DEFENSIVETEAM hold on fourth down.",
        "The $OFFENSIVETEAM come up short. Turnover on downs.",
        "The $DEFENSIVETEAM will take over on downs.",
        "The $OFFENSIVETEAM turn the ball over on downs.",  // 5
        "Turnover on downs.",
        "The $DEFENSIVETEAM hold on fourth down.",
        "The $OFFENSIVETEAM come up short. Turnover on downs.",
        "The $DEFENSIVETEAM will take over on downs.",
        "The $OFFENSIVETEAM turn the ball over on downs.",  // 10
        "Turnover on downs.",
        "The $DEFENSIVETEAM hold on fourth down.",
        "The $OFFENSIVETEAM come up short. Turnover on downs.",
        "The $DEFENSIVETEAM will take over on downs.",
        "The $OFFENSIVETEAM turn the ball over on downs.",  // 15
        "Turnover on downs.",
        "The $DEFENSIVETEAM hold on fourth down.",
        "The $OFFENSIVETEAM come up short. Turnover on downs.",
        "The $DEFENSIVETEAM will take over on downs.",
    },
    {   // 50
        "$QB is going to run with it.",  // 0
        "$QB takes off.",
        "$QB decides to run.",
        "$QB tucks it and runs.",
        "$QB keeps it himself.",
        "Nobody open. $QB runs.",  // 5
        "$QB is going to run with it.",
        "$QB takes off.",
        "$QB decides to run.",
        "$QB tucks it and runs.",
        "$QB keeps it himself.",  // 10
        "Nobody open. $QB runs.",
        "$QB is going to run with it.",
        "$QB takes off.",
        "$QB decides to run.",
        "$QB tucks it and runs.",  // 15
        "$QB keeps it himself.",
        "Nobody open. $QB runs.",
        "$QB is going to run with it.",
        "$QB takes off.",
    },
    {   // 51
        "Pushed out of bounds $YARDLINE.",  // 0
        "Forced out of bounds $YARDLINE.",
        "Knocked out of bounds $YARDLINE.",
        "Out of bounds $YARDLINE.",
        "Run out of bounds $YARDLINE.",
        "Pushed out of bounds $YARDLINE.",  // 5
        "Forced out of bounds $YARDLINE.",
        "Knocked out of bounds $YARDLINE.",
        "Out of bounds $YARDLINE.",
        "Run out of bounds $YARDLINE.",
        "Pushed out of bounds $YARDLINE.",  // 10
        "Forced out of bounds $YARDLINE.",
        "Knocked out of bounds $YARDLINE.",
        "Out of bounds $YARDLINE.",
        "Run out of bounds $YARDLINE.",
        "Pushed out of bounds $YARDLINE.",  // 15
        "Forced out of bounds $YARDLINE.",
        "Knocked out of bounds $YARDLINE.",
        "Out of bounds $YARDLINE.",
        "Run out of bounds $YARDLINE.",
    },
    {   // 52
        "That's the last play of the first quarter.",  // 0
        "That will end the first quarter.",
        "The first quarter is over.",
        "That's the end of the first half.",
        "The teams head to the locker room for halftime.",
        "That will do it for the first half.",  // 5
        "The $WINNERTEAM lead at halftime.",
        "$WINNERCITY leads by $DIFFERENCE at the half.",
        "The $WINNERTEAM are up $DIFFERENCE going into halftime.",
        "We're tied at $WINNERSCORE going into halftime.",
        "That's the end of the third quarter.",  // 10
        "The third quarter is over.",
        "That will end the third quarter.",
        "Time has expired. $WINNERCITY wins by $DIFFERENCE.",
        "That's the game. The $WINNERTEAM win it.",
        "The final gun sounds. $WINNERCITY wins by $DIFFERENCE.",  // 15
        "That's the end of regulation. We're going to overtime.",
        "Time's up. We're tied at $WINNERSCORE going into overtime.",
        "The $WINNERTEAM win on the final play of the game!",
        "$WINNERCITY wins it on the final play!",
    },
    {   // 53
        "$PLAYER0 takes a knee.",  // 0
        "$PLAYER0 kneels on it.",
        "$PLAYER0 drops to a knee.",
        "$PLAYER0 kneels down to run out the clock.",
        "The $TEAM0 take a knee.",
        "$PLAYER0 takes a knee.",  // 5
        "$PLAYER0 kneels on it.",
        "$PLAYER0 drops to a knee.",
        "$PLAYER0 kneels down to run out the clock.",
        "The $TEAM0 take a knee.",
        "$PLAYER0 takes a knee.",  // 10
        "$PLAYER0 kneels on it.",
        "$PLAYER0 drops to a knee.",
        "$PLAYER0 kneels down to run out the clock.",
        "The $TEAM0 take a knee.",
        "$PLAYER0 takes a knee.",  // 15
        "$PLAYER0 kneels on it.",
        "$PLAYER0 drops to a knee.",
        "$PLAYER0 kneels down to run out the clock.",
        "The $TEAM0 take a knee.",
    },
};

}  // namespace

const char* Get_Narration_Phrase(int nEvent, int nVariant)
{
    if (nEvent < 0 || nEvent >= NARRATION_EVENTS || nVariant < 0 || nVariant >= NARRATION_VARIANTS)
        return "";
    return PHRASES[nEvent][nVariant];
}
