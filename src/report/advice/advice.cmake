# Rules that turn a module's raw facts into advice: makers, generations, kit speed, sizes, the
# machine. Pure functions, shared by the report and its tests.
modulix_module(advice_rules
  SOURCES advice_words.cpp advice_texts.cpp advice_jedec.cpp advice_makers.cpp
          advice_maker_table.cpp advice_generations.cpp advice_kit_speed.cpp advice_sizes.cpp
          advice_machine.cpp
  DEPS decoding)
