set(INVENTORY_TEST_SOURCES
  tests/inventory/inventory_test.cpp
  tests/inventory/checklist_test.cpp
)
