modulix_add_test(advice_rules_test PORTABLE
  SOURCES advice_texts_test.cpp advice_makers_test.cpp advice_generations_test.cpp
          advice_kit_speed_test.cpp advice_sizes_test.cpp advice_machine_test.cpp
          advice_hostile_input_test.cpp
  LIBS modulix_advice_rules)
